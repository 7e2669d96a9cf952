#pragma once
// One process-wide listener told about each form whose window has just been
// made: the skin engine gives forms without a skin provider of their own one
// here, so that message forms wear the same frame as the main window.
#include <functional>

namespace pakmole {

class TCustomForm;

using TFormCreatedHandler = std::function<void(TCustomForm& form)>;

// Answers the previous listener (so that a new one can chain to it).
TFormCreatedHandler SetFormCreatedHandler(TFormCreatedHandler handler);
// Called by a form once its window exists; the window may be made again later.
void NotifyFormCreated(TCustomForm& form);

}  // namespace pakmole
