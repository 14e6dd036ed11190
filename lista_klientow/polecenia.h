// The program's commands run without a window: "koperty" (envelopes to a PDF file or a
// printer), "etykiety" (address labels on A4 sheets), "eksport" and "import" (CSV and
// vCard). Messages in Polish; errors on the standard error output with a non-zero exit
// status.
#pragma once

namespace Polecenia {

// True when the program was given arguments: it then runs a command, not the windows.
bool jestPolecenie(int argc);
// Runs the command named by the first argument; returns the exit status.
int uruchom(int argc, char **argv);

} // namespace Polecenia
