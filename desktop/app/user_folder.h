// The working folder of a program started from the desktop's application
// menu: the user's own data folder, $XDG_DATA_HOME/vesoma (by default
// ~/.local/share/vesoma), created on first start. Started from a terminal the
// program keeps the current folder.
#pragma once

// The option the desktop entry passes.
extern const char* const kUserFolderOption;

// True when one of the count arguments after the program name is the option.
bool AskedForUserFolder(int count, char** arguments);

// Creates the user's folder when missing and makes it the working folder.
// Returns 0 on success, else 1 after a message on standard error. Warns,
// without failing, when the fortune file is found neither there nor in the
// installed data folder.
int EnterUserFolder();
