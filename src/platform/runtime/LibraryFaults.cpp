// What the standard library's header code and the compiler call on a fault,
// defined here because no prebuilt runtime is linked: each ends the process
// (FatalEnd). Only what the program's code refers to is defined; anything new
// fails the link instead of bringing prebuilt code along.
#include "platform/runtime/FatalEnd.h"

namespace std {

void __throw_bad_alloc() { FatalEnd(); }
void __throw_bad_array_new_length() { FatalEnd(); }
void __throw_length_error(const char*) { FatalEnd(); }
void __throw_logic_error(const char*) { FatalEnd(); }
void __throw_out_of_range_fmt(const char*, ...) { FatalEnd(); }

}  // namespace std

// A pure virtual function called during construction or destruction.
extern "C" void __cxa_pure_virtual() { FatalEnd(); }
