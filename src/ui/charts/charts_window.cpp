#include "ui/charts/charts_window.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>

#include "chart_draw/chart_export.h"
#include "chart_draw/chart_painter.h"
#include "chart_draw/chart_value.h"
#include "ui/form/help_request.h"

namespace tarvel {

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("ChartsWindow", text);
}

struct TabItem {
    ChartKind kind;
    const char* caption;
};

constexpr TabItem kTabs[] = {
    {ChartKind::kSunPath, QT_TRANSLATE_NOOP("ChartsWindow", "Percorso del Sole")},
    {ChartKind::kSunPathYear, QT_TRANSLATE_NOOP("ChartsWindow", "Percorsi nell'anno")},
    {ChartKind::kAnalemma, QT_TRANSLATE_NOOP("ChartsWindow", "Analemma")},
    {ChartKind::kEquationOfTime, QT_TRANSLATE_NOOP("ChartsWindow", "Equazione del tempo")},
    {ChartKind::kDaylight, QT_TRANSLATE_NOOP("ChartsWindow", "Giorno e crepuscoli")},
};

}  // namespace

ChartView::ChartView(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setMinimumSize(480, 340);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ChartView::SetModel(ChartModel model) {
    model_ = std::move(model);
    update();
}

void ChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintChart(painter, QRectF(rect()), model_);
}

void ChartView::mouseMoveEvent(QMouseEvent* event) {
    emit ValueChanged(ChartValueAt(model_, QRectF(rect()), event->position()));
}

void ChartView::leaveEvent(QEvent*) {
    emit ValueChanged(QString());
}

ChartsWindow::ChartsWindow(QWidget* parent) : QDialog(parent) {
    setWindowTitle(Tr("Grafici"));
    setWindowFlag(Qt::Window, true);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    setModal(false);

    tabs_ = new QTabBar(this);
    for (const TabItem& item : kTabs) tabs_->addTab(Tr(item.caption));
    view_ = new ChartView(this);
    valueLabel_ = new QLabel(this);
    valueLabel_->setMinimumWidth(200);
    valueLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    prayersBox_ = new QCheckBox(Tr("Preghiere"), this);
    prayersBox_->setToolTip(Tr("Mostra le preghiere del metodo scelto nel grafico del giorno"));
    polarBox_ = new QCheckBox(Tr("Polare"), this);
    polarBox_->setToolTip(Tr(
        "Il percorso del Sole in proiezione stereografica: lo zenit al centro, il nord in alto"));
    pngButton_ = new QPushButton(Tr("Esporta PNG..."), this);
    svgButton_ = new QPushButton(Tr("Esporta SVG..."), this);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(valueLabel_, 1);
    bottom->addWidget(polarBox_);
    bottom->addWidget(prayersBox_);
    bottom->addWidget(pngButton_);
    bottom->addWidget(svgButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(view_, 1);
    layout->addLayout(bottom);
    resize(1000, 760);

    connect(tabs_, &QTabBar::currentChanged, this,
            [this](int index) { ShowChart(kTabs[std::clamp(index, 0, 4)].kind); });
    connect(view_, &ChartView::ValueChanged, valueLabel_, &QLabel::setText);
    connect(prayersBox_, &QCheckBox::toggled, this, [this] { Redraw(); });
    connect(polarBox_, &QCheckBox::toggled, this, [this] { Redraw(); });
    connect(pngButton_, &QPushButton::clicked, this, [this] { Export(false); });
    connect(svgButton_, &QPushButton::clicked, this, [this] { Export(true); });
    fileChooser_ = [](QWidget* parent, const QString& caption, const QString& suggested,
                      const QString& filter) {
        return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
    };
    prayersBox_->setEnabled(false);
}

void ChartsWindow::SetInputs(const ChartInputs& inputs) {
    inputs_ = inputs;
    hasInputs_ = true;
    Redraw();
}

void ChartsWindow::ShowChart(ChartKind kind) {
    kind_ = kind;
    for (int i = 0; i < 5; ++i) {
        if (kTabs[i].kind == kind && tabs_->currentIndex() != i) {
            const QSignalBlocker block(tabs_);
            tabs_->setCurrentIndex(i);
        }
    }
    prayersBox_->setEnabled(kind == ChartKind::kDaylight);
    polarBox_->setEnabled(kind == ChartKind::kSunPath || kind == ChartKind::kSunPathYear);
    Redraw();
}

void ChartsWindow::Redraw() {
    if (!hasInputs_) return;
    view_->SetModel(BuildChartModel(kind_, inputs_,
                                    kind_ == ChartKind::kDaylight && prayersBox_->isChecked(),
                                    polarBox_->isChecked()));
    valueLabel_->clear();
}

bool ChartsWindow::Export(bool svg) {
    const QString suffix = svg ? QStringLiteral("svg") : QStringLiteral("png");
    const QString suggested =
        QStringLiteral("%1.%2").arg(QLatin1String(ChartKindKey(kind_)), suffix);
    const QString filter = svg ? Tr("Disegni SVG (*.svg)") : Tr("Immagini PNG (*.png)");
    QString path =
        fileChooser_(this, svg ? Tr("Esporta SVG") : Tr("Esporta PNG"), suggested, filter);
    if (path.isEmpty()) return false;
    if (!path.endsWith(QLatin1Char('.') + suffix, Qt::CaseInsensitive)) {
        path += QLatin1Char('.') + suffix;
    }
    const QString error = ExportChart(view_->Model(), LocalFilePath(path), view_->size());
    if (!error.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), error);
        return false;
    }
    return true;
}

void ChartsWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        RequestHelpTopic(this, kChartsHelpTopic);
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace tarvel
