// The program's one application object and its entry point.
#include "ReadmeApp.h"

static CReadmeApp theApp;

int main(int argc, char** argv)
{
    return AfxWinMain(argc, argv);
}
