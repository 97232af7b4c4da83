#pragma once
#include <string>

// The archive utility's executable from its registered open command
// (HKCR\Ombrix\Shell\Open\Command), lower-cased, cut after "\ombrix32.exe";
// an opening quote stays. Empty when it cannot be determined.
std::string GetArchiverPath();
