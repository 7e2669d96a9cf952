#include "ui/FormCreationHook.h"

#include <utility>

namespace pakmole {

namespace {
TFormCreatedHandler& Handler() {
    static TFormCreatedHandler handler;
    return handler;
}
}  // namespace

TFormCreatedHandler SetFormCreatedHandler(TFormCreatedHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}

void NotifyFormCreated(TCustomForm& form) {
    // A copy: the listener may replace itself while it runs.
    if (TFormCreatedHandler handler = Handler()) handler(form);
}

}  // namespace pakmole
