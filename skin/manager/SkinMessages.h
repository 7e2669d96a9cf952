#pragma once
// The boxes the skin manager shows (load errors, version notices, "/vlver").
// They go through one replaceable function, so a host without a user (a test)
// can take them instead of a real modal box.
#include <functional>
#include <string>

namespace pakmole {

enum class TsSkinMessageKind { smError, smWarning, smInformation };

using TsSkinMessageSink = std::function<void(TsSkinMessageKind kind, const std::string& text)>;

// Replaces the sink; an empty one restores the modal message box. Answers the previous sink.
TsSkinMessageSink SetSkinMessageSink(TsSkinMessageSink sink);

// A modal box with one OK button, captioned with the application title.
void ShowSkinMessage(TsSkinMessageKind kind, const std::string& text);

}  // namespace pakmole
