#include "app/charts_opener.h"

#include <QString>
#include <memory>
#include <utility>

namespace tarvel {

ChartsWindow* ShowChartsWindow(CTarvelDlg* window) {
    auto* charts = window->findChild<ChartsWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (charts == nullptr) {
        charts = new ChartsWindow(window);
        charts->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(
            window, &CTarvelDlg::InputsComputed, charts,
            [charts](const SolarRequest& request, std::shared_ptr<const ZoneRules> rules) {
                charts->SetInputs({request, std::move(rules)});
            });
        if (window->ComputationCount() > 0) {
            charts->SetInputs({window->LastRequest(), window->SharedZoneRules()});
        }
    }
    charts->show();
    charts->raise();
    charts->activateWindow();
    return charts;
}

}  // namespace tarvel
