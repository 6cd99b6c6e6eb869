#pragma once
// The font configuration the program renders its texts with. The system's configuration is a few
// dozen files of rules, most of them for fonts the program never asks for; reading them took a
// third of the instructions a start-up ran. The program's own configuration lists the same font folders, reads
// the few rules that choose the default families, and sets what the system's rules give every
// font (slight hinting, antialiasing unless a font is asked for without, the default LCD filter).

// Makes the program's configuration the current one for the process, before anything reads one.
// A configuration the user names (FONTCONFIG_FILE or FONTCONFIG_PATH set) is read as usual
// instead, and so is the system's when the program's cannot be made.
void UseProgramFontConfiguration();
