// The back ends the game runs on: the SDL platform layer and audio device, fonts from FreeType,
// settings in SQLite files and HTTP over libcurl.
#pragma once

// Installs them all; once, at start-up, before any other thread starts.
void installBackEnds();
