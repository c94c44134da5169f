// The program entry. The almanac takes no command-line arguments but one: the
// desktop entry's --user-folder, which makes the user's data folder the
// working folder; any other argument is ignored. The toolkit is handed only
// the program name, so it parses nothing.
#include <wx/app.h>

#include "desktop/app/my_app.h"
#include "desktop/app/user_folder.h"

wxIMPLEMENT_APP_NO_MAIN(TMyApp);

int main(int argc, char** argv)
{
    if (AskedForUserFolder(argc, argv) && EnterUserFolder() != 0)
        return 1;
    char name[] = "vesoma";
    char* arguments[] = {name, nullptr};
    int count = 1;
    return wxEntry(count, arguments);
}
