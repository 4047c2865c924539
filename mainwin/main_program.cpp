#include "mainwin/main_program.h"

namespace vorn::mainwin {

MainProgram::MainProgram(Edition editionOfProgram, ui::Services& services)
    : edition(editionOfProgram),
      app(services, "Vorn-V18"),
      module_(std::make_unique<vorn::Module1>(editionOfProgram, services.WorkingFolder(), port_))
{
}

MainProgram::~MainProgram() = default;

void MainProgram::Start()
{
  app.RunEvent([this] { Form1->Show(); });
}

}  // namespace vorn::mainwin
