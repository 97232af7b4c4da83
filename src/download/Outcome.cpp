#include "download/Outcome.h"

#include "platform/SdkValues.h"

Outcome RefusalOutcome(int answer) {
    return answer == kIdNo || answer == kIdCancel ? Outcome::Declined : Outcome::NotHandled;
}
