// The language of the texts the toolkit supplies for the program's windows.
#pragma once

namespace platform {

// Loads the toolkit's Japanese message catalog, so that the texts wx itself
// writes (the help viewer, standard buttons and dialogs, print preview) are
// Japanese whatever the user's locale, as all of the program's own text is;
// and takes the messages category, and only it, from the environment, so that
// GTK's own dialogs (file chooser, printing, page set-up) speak the user's
// language. Numbers, dates and character conversions stay in the "C" locale.
// Call once after the toolkit has started.
void UseJapaneseToolkitTexts();

}  // namespace platform
