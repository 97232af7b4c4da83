#pragma once

// The icon a catalogue message gets when its caller gives none: OK, OK and
// Cancel, Yes/No/Cancel and Yes/No boxes get the exclamation icon; other
// button kinds, and types that carry an icon already, stay as they are.
unsigned ApplyIconRule(unsigned type);
