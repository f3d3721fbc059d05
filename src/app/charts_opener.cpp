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
            [charts, window](const SolarRequest& request, std::shared_ptr<const ZoneRules> rules) {
                charts->SetInputs(
                    {request, std::move(rules), window->ShownPlaceLabel().toStdString()});
            });
        if (window->ComputationCount() > 0) {
            charts->SetInputs({window->LastRequest(), window->SharedZoneRules(),
                               window->ShownPlaceLabel().toStdString()});
        }
    }
    charts->show();
    charts->raise();
    charts->activateWindow();
    return charts;
}

}  // namespace tarvel
