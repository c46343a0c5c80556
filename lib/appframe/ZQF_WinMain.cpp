// The program entry of every program built on the framework: the run
// belongs to the application object, constructed during static
// initialisation.
#include "ZQF_Application.h"
#include "ZQ_Assertion.h"

int WINAPI WinMain(HINSTANCE Instance, HINSTANCE, LPSTR CommandLine, int ShowCommand) {
  ZQF_Application* application = ZQF_GetApplication();
  ZQ_ASSERT(application != NULL);
  return application ? application->WinMain(Instance, CommandLine, ShowCommand) : 1;
}
