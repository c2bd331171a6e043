#include "configurationenvironment.h"

#include "cabundle.h"
#include "setupsettings.h"

namespace {

QString hostFromEnvironment(SetupSettings::Host host)
{
    return qEnvironmentVariable(host == SetupSettings::Host::Update ? "TAM_UPDATE_HOST"
                                                                    : "TAM_WEB_HOST");
}

} // namespace

void ConfigurationEnvironment::install()
{
    SetupSettings::setHostOverride(&hostFromEnvironment);
    CaBundle::setSource([] { return qEnvironmentVariable("TAM_CA_BUNDLE"); });
}
