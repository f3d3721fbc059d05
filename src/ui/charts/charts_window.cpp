#include "ui/charts/charts_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
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
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>

#include "chart_draw/chart_export.h"
#include "chart_draw/chart_painter.h"
#include "chart_draw/chart_value.h"
#include "chart_draw/sundial_drawing.h"
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

constexpr const char* kSundialCaption = QT_TRANSLATE_NOOP("ChartsWindow", "Orologio solare");

constexpr const char* kDialTypes[] = {QT_TRANSLATE_NOOP("ChartsWindow", "Orizzontale"),
                                      QT_TRANSLATE_NOOP("ChartsWindow", "Verticale"),
                                      QT_TRANSLATE_NOOP("ChartsWindow", "Equatoriale"),
                                      QT_TRANSLATE_NOOP("ChartsWindow", "Polare")};

// In the order of DialHourSystem.
constexpr const char* kDialHours[] = {
    QT_TRANSLATE_NOOP("ChartsWindow", "Vere"), QT_TRANSLATE_NOOP("ChartsWindow", "Medie"),
    QT_TRANSLATE_NOOP("ChartsWindow", "Italiche"), QT_TRANSLATE_NOOP("ChartsWindow", "Babiloniche"),
    QT_TRANSLATE_NOOP("ChartsWindow", "Temporali")};

constexpr const char* kDialDates[] = {QT_TRANSLATE_NOOP("ChartsWindow", "Solstizi ed equinozi"),
                                      QT_TRANSLATE_NOOP("ChartsWindow", "Segni dello zodiaco"),
                                      QT_TRANSLATE_NOOP("ChartsWindow", "Nessuna linea di data")};

QDoubleSpinBox* Millimetres(QWidget* parent, double low, double high, double value) {
    auto* box = new QDoubleSpinBox(parent);
    box->setRange(low, high);
    box->setDecimals(1);
    box->setSuffix(Tr(" mm"));
    box->setValue(value);
    return box;
}

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
    tabs_->addTab(Tr(kSundialCaption));
    view_ = new ChartView(this);
    // The sundial's page: its controls over the drawing.
    auto* dialPage = new QWidget(this);
    sundialView_ = new SundialView(dialPage);
    dialType_ = new QComboBox(dialPage);
    for (const char* type : kDialTypes) dialType_->addItem(Tr(type));
    dialDeclination_ = new QDoubleSpinBox(dialPage);
    dialDeclination_->setRange(-180, 180);
    dialDeclination_->setDecimals(1);
    dialDeclination_->setSuffix(QStringLiteral("°"));
    dialDeclination_->setToolTip(
        Tr("La direzione verso cui guarda la parete, da sud, positiva verso ovest"));
    dialGnomon_ = Millimetres(dialPage, kDialMinGnomonMm, kDialMaxGnomonMm, 40);
    dialGnomon_->setToolTip(Tr("La distanza del nodo dal piano"));
    dialSize_ = Millimetres(dialPage, kDialMinSizeMm, kDialMaxSizeMm, 200);
    dialSize_->setToolTip(Tr("Il lato del quadrante quadrato"));
    dialDates_ = new QComboBox(dialPage);
    for (const char* dates : kDialDates) dialDates_->addItem(Tr(dates));
    auto* dialRow = new QHBoxLayout;
    dialRow->addWidget(new QLabel(Tr("Tipo:"), dialPage));
    dialRow->addWidget(dialType_);
    dialRow->addWidget(new QLabel(Tr("Declinazione:"), dialPage));
    dialRow->addWidget(dialDeclination_);
    dialRow->addWidget(new QLabel(Tr("Gnomone:"), dialPage));
    dialRow->addWidget(dialGnomon_);
    dialRow->addWidget(new QLabel(Tr("Lato:"), dialPage));
    dialRow->addWidget(dialSize_);
    dialRow->addWidget(dialDates_);
    dialRow->addStretch(1);
    auto* hoursRow = new QHBoxLayout;
    hoursRow->addWidget(new QLabel(Tr("Ore:"), dialPage));
    for (int i = 0; i < 5; ++i) {
        dialHours_[i] = new QCheckBox(Tr(kDialHours[i]), dialPage);
        hoursRow->addWidget(dialHours_[i]);
    }
    dialHours_[0]->setChecked(true);
    hoursRow->addStretch(1);
    auto* dialLayout = new QVBoxLayout(dialPage);
    dialLayout->setContentsMargins(0, 0, 0, 0);
    dialLayout->addLayout(dialRow);
    dialLayout->addLayout(hoursRow);
    dialLayout->addWidget(sundialView_, 1);
    pages_ = new QStackedWidget(this);
    pages_->addWidget(view_);
    pages_->addWidget(dialPage);
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
    pdfButton_ = new QPushButton(Tr("Esporta PDF..."), this);
    pdfButton_->setVisible(false);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(polarBox_);
    bottom->addWidget(prayersBox_);
    bottom->addWidget(pngButton_);
    bottom->addWidget(pdfButton_);
    bottom->addWidget(svgButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(pages_, 1);
    layout->addWidget(valueLabel_);
    layout->addLayout(bottom);
    OpenWithinScreen(this, QSize(1000, 760));

    connect(tabs_, &QTabBar::currentChanged, this, [this](int index) { ShowTab(index); });
    connect(view_, &ChartView::ValueChanged, valueLabel_, &QLabel::setText);
    connect(prayersBox_, &QCheckBox::toggled, this, [this] { Redraw(); });
    connect(polarBox_, &QCheckBox::toggled, this, [this] { Redraw(); });
    connect(pngButton_, &QPushButton::clicked, this, [this] { Export(false); });
    connect(svgButton_, &QPushButton::clicked, this,
            [this] { SundialShown() ? ExportSundialFile(false) : Export(true); });
    connect(pdfButton_, &QPushButton::clicked, this, [this] { ExportSundialFile(true); });
    connect(dialType_, &QComboBox::currentIndexChanged, this, [this] {
        dialDeclination_->setEnabled(dialType_->currentIndex() == 1);
        Redraw();
    });
    connect(dialDates_, &QComboBox::currentIndexChanged, this, [this] { Redraw(); });
    for (QDoubleSpinBox* box : {dialDeclination_, dialGnomon_, dialSize_}) {
        connect(box, &QDoubleSpinBox::valueChanged, this, [this] { Redraw(); });
    }
    for (QCheckBox* box : dialHours_) connect(box, &QCheckBox::toggled, this, [this] { Redraw(); });
    dialDeclination_->setEnabled(false);
    fileChooser_ = [](QWidget* parent, const QString& caption, const QString& suggested,
                      const QString& filter) {
        return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
    };
    sizeChooser_ = AskPictureSize;
    prayersBox_->setEnabled(false);
}

SundialView::SundialView(QWidget* parent) : QWidget(parent) {
    setMinimumSize(480, 340);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SundialView::SetModel(SundialModel model) {
    model_ = std::move(model);
    hasModel_ = true;
    update();
}

void SundialView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (!hasModel_) return;
    // The whole page, as large as the view holds it.
    const SundialPage page = SundialPageLayout(model_);
    const double scale = std::min(width() / page.widthMm, height() / page.heightMm);
    painter.translate((width() - page.widthMm * scale) / 2, (height() - page.heightMm * scale) / 2);
    painter.scale(scale, scale);
    PaintSundial(painter, model_);
}

void ChartsWindow::SetInputs(const ChartInputs& inputs) {
    inputs_ = inputs;
    hasInputs_ = true;
    Redraw();
}

bool ChartsWindow::SundialShown() const {
    return tabs_->currentIndex() == kSundialTab;
}

SundialDesign ChartsWindow::DialDesign() const {
    SundialDesign design;
    design.type = static_cast<DialType>(std::clamp(dialType_->currentIndex(), 0, 3));
    design.declinationDeg = dialDeclination_->value();
    design.gnomonHeightMm = dialGnomon_->value();
    design.sizeMm = dialSize_->value();
    design.hours.clear();
    for (int i = 0; i < 5; ++i) {
        if (dialHours_[i]->isChecked()) design.hours.push_back(static_cast<DialHourSystem>(i));
    }
    design.solstices = design.equinoxes = dialDates_->currentIndex() == 0;
    design.zodiac = dialDates_->currentIndex() == 1;
    return design;
}

void ChartsWindow::ShowTab(int index) {
    const bool dial = index == kSundialTab;
    pages_->setCurrentIndex(dial ? 1 : 0);
    pngButton_->setVisible(!dial);
    polarBox_->setVisible(!dial);
    prayersBox_->setVisible(!dial);
    pdfButton_->setVisible(dial);
    if (dial) {
        valueLabel_->clear();
        Redraw();
    } else {
        ShowChart(kTabs[std::clamp(index, 0, 4)].kind);
    }
}

void ChartsWindow::ShowChart(ChartKind kind) {
    kind_ = kind;
    pages_->setCurrentIndex(0);
    pngButton_->setVisible(true);
    polarBox_->setVisible(true);
    prayersBox_->setVisible(true);
    pdfButton_->setVisible(false);
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
    if (SundialShown()) {
        sundialView_->SetModel(BuildSundial(DialDesign(), inputs_));
        return;
    }
    view_->SetModel(BuildChartModel(kind_, inputs_,
                                    kind_ == ChartKind::kDaylight && prayersBox_->isChecked(),
                                    polarBox_->isChecked()));
    valueLabel_->clear();
}

QSize ChartsWindow::ProposedPictureSize() const {
    const double ratio = std::max(1.0, view_->devicePixelRatioF());
    return (QSizeF(view_->size()) * ratio).toSize();
}

QString ChartsWindow::AskExportPath(const QString& caption, const QString& suggested,
                                    const QString& filter, const QString& suffix) {
    QString path = fileChooser_(this, caption, suggested, filter);
    if (!path.isEmpty() && !path.endsWith(QLatin1Char('.') + suffix, Qt::CaseInsensitive)) {
        path += QLatin1Char('.') + suffix;
    }
    return path;
}

bool ChartsWindow::Export(bool svg) {
    const QString suffix = svg ? QStringLiteral("svg") : QStringLiteral("png");
    const QString suggested =
        QStringLiteral("%1.%2").arg(QLatin1String(ChartKindKey(kind_)), suffix);
    const QString path =
        AskExportPath(svg ? Tr("Esporta SVG") : Tr("Esporta PNG"), suggested,
                      svg ? Tr("Disegni SVG (*.svg)") : Tr("Immagini PNG (*.png)"), suffix);
    if (path.isEmpty()) return false;
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

bool ChartsWindow::ExportSundialFile(bool pdf) {
    const QString suffix = pdf ? QStringLiteral("pdf") : QStringLiteral("svg");
    const QString suggested = QStringLiteral("sundial.%1").arg(suffix);
    const QString path =
        AskExportPath(pdf ? Tr("Esporta PDF") : Tr("Esporta SVG"), suggested,
                      pdf ? Tr("Documenti PDF (*.pdf)") : Tr("Disegni SVG (*.svg)"), suffix);
    if (path.isEmpty()) return false;
    const QString error =
        ExportSundial(sundialView_->Model(), LocalFilePath(path), TranslatedChartExportTexts());
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
