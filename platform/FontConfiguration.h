#pragma once
// The font configuration the program renders its texts with. The system's configuration is a few
// dozen files of rules, most of them for fonts the program never asks for; reading them took a
// third of the instructions a start-up ran. The program's own configuration lists the same font
// folders and reads, from the system's folder of rule files, the rendering defaults an
// administrator chooses (hinting, antialiasing, sub-pixel order, LCD filter), the rules that
// choose the default families, and the files that read the user's and the local rules.

#include <string>
#include <vector>

// Makes the program's configuration the current one for the process, before anything reads one.
// A configuration the user names (FONTCONFIG_FILE or FONTCONFIG_PATH set) is read as usual
// instead, and so is the system's when the program's cannot be made.
void UseProgramFontConfiguration();

// Of the names in the system's folder of rule files, those the program's configuration reads, in
// the order the library reads them.
std::vector<std::string> ProgramFontRules(std::vector<std::string> names);
