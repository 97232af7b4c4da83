#pragma once
// What a user and the program's peers see of it, written out once for every
// test: the texts of its messages, and where it and its peers keep their
// settings in the registry. Tests compare with these, never with the
// program's own constants.

constexpr char kText105[] = "Unable to launch Ombrix. Please check that it is installed properly.";
constexpr char kText110[] =
    "Can't create the folder you requested. Would you like to pick a new one?";
constexpr char kText111[] = "Source and target paths are the same. Pick another one?";
constexpr char kText112[] =
    "Can't move the file into the folder you requested. Would you like to pick a new one?";
constexpr char kText113[] =
    "Remove DarivoVA from Netscape Navigator?\nThe viewers it replaced are put back. Your "
    "downloaded archives stay where they are.";
constexpr char kText114[] =
    "DarivoVA was removed from Netscape Navigator.\nClose all running instances of Navigator for "
    "changes to take effect.";
constexpr char kText115[] = "Unable to remove DarivoVA as Navigator viewer.";
constexpr char kSetupCaption[] = "Ombrix Netscape Helper - Beta 1";

constexpr char kSettingsKey[] = "Software\\Quenlock\\DARIVOVA\\Settings";
constexpr char kUrlTable[] = "Software\\Netscape\\Netscape Navigator\\Temporary File URL Resolution";
constexpr char kViewers[] = "Software\\Netscape\\Netscape Navigator\\Viewers";
constexpr char kArchiverKey[] = "Ombrix\\Shell\\Open\\Command";
