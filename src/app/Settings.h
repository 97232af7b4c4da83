#pragma once

// Where the one setting lives, and what it is when nothing was stored.
inline constexpr char kCompanyKey[] = "Quenlock";
inline constexpr char kSettingsSection[] = "Settings";
inline constexpr char kLaunchDirValue[] = "LaunchDir";
inline constexpr char kDefaultFolder[] = "C:\\Download";
