#include "download/Outcome.h"

namespace {

// The platform's button codes.
constexpr int kCancel = 2;
constexpr int kNo = 7;

}  // namespace

Outcome RefusalOutcome(int answer) {
    return answer == kNo || answer == kCancel ? Outcome::Declined : Outcome::NotHandled;
}
