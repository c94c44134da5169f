// Where the fortune file is read from: "vesoma.ums" of the working folder
// when it is there, as always; otherwise the copy an installed program keeps
// in its data folder (share/vesoma).
#pragma once

// The path to hand to FUms::LoadUmsFile: "vesoma.ums" when the working folder
// holds it or when the installed copy is missing too (the load then fails as
// it always did), else the installed copy's full path.
const char* UmsFilePath();

// The installed copy's full path, whether or not it exists.
const char* InstalledUmsFilePath();
