#include "app/updater_app.h"

namespace {

CUpdaterApp theApp;

} // namespace

int main(int argc, char** argv) { return AfxWinMain(argc, argv); }
