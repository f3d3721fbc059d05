#include "ui/charts/charts_window.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>

#include "chart_draw/chart_export.h"
#include "chart_draw/chart_painter.h"
#include "chart_draw/chart_value.h"
#include "ui/form/help_request.h"
#include "ui/form/screen_fit.h"

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

// A small dialog with the picture's width and height.
QSize AskPictureSize(QWidget* parent, const QSize& proposed) {
    QDialog dialog(parent);
    dialog.setWindowTitle(Tr("Dimensioni dell'immagine"));
    auto* width = new QSpinBox(&dialog);
    auto* height = new QSpinBox(&dialog);
    for (QSpinBox* box : {width, height}) {
        box->setRange(100, 16000);
        box->setSuffix(Tr(" pixel"));
    }
    width->setValue(proposed.width());
    height->setValue(proposed.height());
    auto* form = new QFormLayout;
    form->addRow(Tr("Larghezza:"), width);
    form->addRow(Tr("Altezza:"), height);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(
        Tr("Il grafico è disposto come nella finestra e disegnato più grande."), &dialog));
    layout->addLayout(form);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) return {};
    return {width->value(), height->value()};
}

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
    // The values under the pointer on a row of their own: up to three lines
    // (the day chart's times with the prayers'), wrapped to the window.
    valueLabel_ = new QLabel(this);
    valueLabel_->setWordWrap(true);
    valueLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    valueLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    valueLabel_->setMinimumHeight(valueLabel_->fontMetrics().lineSpacing() * 3 + 2);
    valueLabel_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    prayersBox_ = new QCheckBox(Tr("Preghiere"), this);
    prayersBox_->setToolTip(Tr("Mostra le preghiere del metodo scelto nel grafico del giorno"));
    polarBox_ = new QCheckBox(Tr("Polare"), this);
    polarBox_->setToolTip(Tr(
        "Il percorso del Sole in proiezione stereografica: lo zenit al centro, il nord in alto"));
    pngButton_ = new QPushButton(Tr("Esporta PNG..."), this);
    svgButton_ = new QPushButton(Tr("Esporta SVG..."), this);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(polarBox_);
    bottom->addWidget(prayersBox_);
    bottom->addWidget(pngButton_);
    bottom->addWidget(svgButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(view_, 1);
    layout->addWidget(valueLabel_);
    layout->addLayout(bottom);
    OpenWithinScreen(this, QSize(1000, 760));

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
    sizeChooser_ = AskPictureSize;
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

QSize ChartsWindow::ProposedPictureSize() const {
    const double ratio = std::max(1.0, view_->devicePixelRatioF());
    return (QSizeF(view_->size()) * ratio).toSize();
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
    QSize size = view_->size();
    double scale = 1.0;
    if (!svg) {
        size = sizeChooser_(this, ProposedPictureSize());
        if (size.isEmpty()) return false;
        // Laid out as in the view (at least), drawn larger.
        scale = std::max(1.0, std::min(size.width() / double(view_->width()),
                                       size.height() / double(view_->height())));
    }
    const QString error =
        ExportChart(view_->Model(), LocalFilePath(path), size, TranslatedChartExportTexts(), scale);
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
