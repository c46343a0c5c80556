// MORV_Main.cpp: the program's three global objects and its stage callback.
// The library's WinMain runs the program through the application object.
// Only MORV.exe links this file: test programs build their own objects.
#include "MORV_Application.h"
#include "ZQ_InitializationService.h"

namespace {

// Made first: the framework's metrics must not come into being on their own.
MORVApplicationMetrics s_metrics;
MORVApplication s_application;
MORV_ApplicationPersonality s_personality;
const ZQ_StageCallbackRegistration s_splashScreen(&MORV_SplashScreenStageCallback,
                                                  ZQ_InitializationService::Position_Application);

}  // namespace
