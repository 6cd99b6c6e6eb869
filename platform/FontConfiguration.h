#pragma once
// The font configuration the program renders its texts with. The system's configuration is a few
// dozen files of rules, most of them for fonts the program never asks for; reading them is the
// larger part of a start-up. The program's own configuration lists the same font folders and sets
// what the system's rules give the layout's fonts (slight hinting, antialiasing unless a font is
// asked for without, the default LCD filter), so texts render alike on any machine whatever its
// rules.

// Makes the program's configuration the current one for the process, before anything reads one.
// A configuration the user names (FONTCONFIG_FILE or FONTCONFIG_PATH set) is read as usual
// instead, and so is the system's when the program's cannot be made.
void UseProgramFontConfiguration();
