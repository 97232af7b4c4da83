// The code of std::string, compiled here with the program's own flags. The
// standard library's headers declare it instantiated elsewhere (in the
// prebuilt libstdc++, built for a newer processor and throwing exceptions);
// this is that elsewhere.
#include <string>

template class std::basic_string<char>;
