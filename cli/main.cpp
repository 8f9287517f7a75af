#include "app.h"

int main(int argc, char** argv) { return zel::cli::runZelmora(argc, argv); }
