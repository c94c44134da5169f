// The program entry. The almanac takes no command-line arguments; the toolkit
// is handed only the program name, so it parses nothing either.
#include <wx/app.h>

#include "desktop/app/my_app.h"

wxIMPLEMENT_APP_NO_MAIN(TMyApp);

int main(int, char**)
{
    char name[] = "vesoma";
    char* arguments[] = {name, nullptr};
    int count = 1;
    return wxEntry(count, arguments);
}
