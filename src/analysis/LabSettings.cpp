#include "analysis/LabSettings.h"

#include "document/TextCatalog.h"

namespace zephra {

namespace {

constexpr const char* Section = "lab";

} // namespace

LabSettings LabSettingsIn(const ProgramConf& conf, std::string& problem) {
    LabSettings lab;
    if (const std::optional<std::string> text = conf.Value(Section, "terminal_flux_share")) {
        const std::optional<double> share = SettingNumber(*text);
        if (!share || *share <= 0 || *share >= 1) {
            problem = FilledIn(CoreText("ProgramConf", "%1 [lab] terminal_flux_share = %2 is not "
                                                       "a share above 0 and below 1; the lab "
                                                       "settings are taken at their defaults."),
                               {conf.Path(), *text});
            return {};
        }
        lab.TerminalFluxShare = *share;
    }
    if (const std::optional<std::string> text = conf.Value(Section, "safety_factor")) {
        const std::optional<double> factor = SettingNumber(*text);
        if (!factor || *factor < 1) {
            problem = FilledIn(CoreText("ProgramConf", "%1 [lab] safety_factor = %2 is not a "
                                                       "number of at least 1; the lab settings "
                                                       "are taken at their defaults."),
                               {conf.Path(), *text});
            return {};
        }
        lab.SafetyFactor = *factor;
    }
    return lab;
}

} // namespace zephra
