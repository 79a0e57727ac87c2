// The standard streams of the command-line program.
#pragma once

namespace kombinator {

// Makes standard input, output and error carry the program's bytes unchanged: UTF-8 text with
// line feeds, as on every system, so a script gets the same output everywhere; a console window
// is told that the text is UTF-8, so accented letters show.
void prepareStandardStreams();

}  // namespace kombinator
