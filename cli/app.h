#pragma once
// The zelmora command: parses the command line and runs the chosen command.
namespace zel::cli {

int runZelmora(int argc, char** argv);

}  // namespace zel::cli
