// The main window's place and open views, kept in the profile from one run
// to the next.
#pragma once

class TMyWindow;

// Puts the main window's frame where the profile remembers it (else where it
// is), inside the screen, and opens again the day and six-day-cycle windows
// that were open at the last close.
void RestorePlace(TMyWindow& window);

// Writes the frame's place and which of those views are open into the profile.
void RememberPlace(const TMyWindow& window);
