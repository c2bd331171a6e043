// The Install Software page. Its rows, downloads and the helper's progress arrive with their
// own work; until then the page only opens and its entries are bound.

#include "frontend.h"
#include "ui_frontend.h"

void FrontEnd::buildInstallRows()
{}

void FrontEnd::navigate_IS()
{
    showPage(QStringLiteral("IS"));
}

void FrontEnd::navigate_IS_Setup()
{}

void FrontEnd::navigate_IS_Update()
{}

void FrontEnd::navigate_IS_SetupUpdate()
{}

void FrontEnd::install_selected_apps()
{}

void FrontEnd::clear_cache()
{}

void FrontEnd::handle_message()
{}

void FrontEnd::complete_installation()
{}

void FrontEnd::hide_please_wait()
{
    ui->WaitScreen->hide();
}
