#include "app/Startup.h"

#include "app/ProgramSettings.h"

void Startup::Run(ProgramSettings& settings) {
    settings.SetLayoutIndex(1);
    settings.SetSchemeIndex(1);
    settings.Schemes().Fill();
}
