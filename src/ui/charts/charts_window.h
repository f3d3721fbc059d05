// The charts window: the Sun's path on the date, the paths of the year, the
// analemma, the equation of time and the day and twilights over the year, for
// the main window's inputs and following them as they change; the values
// under the pointer (the nearest point of a sun path, every time of the
// hovered date); export as PNG at a chosen size or SVG. A last tab draws the
// site's sundial with its own controls (the plate, the gnomon, the hour
// systems, the date lines), exported at true scale as PDF or SVG.
#pragma once

#include <QDialog>
#include <QSize>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

#include "chart/chart_model.h"
#include "chart/sundial_model.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QStackedWidget;
class QPushButton;
class QTabBar;

namespace tarvel {

// A chart drawn to the widget's size; the values under the pointer are
// reported through ValueChanged.
class ChartView : public QWidget {
    Q_OBJECT
  public:
    explicit ChartView(QWidget* parent = nullptr);
    void SetModel(ChartModel model);
    const ChartModel& Model() const { return model_; }

  signals:
    void ValueChanged(const QString& text);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    ChartModel model_;
};

// The sundial's page fitted into the widget.
class SundialView : public QWidget {
    Q_OBJECT
  public:
    explicit SundialView(QWidget* parent = nullptr);
    void SetModel(SundialModel model);
    const SundialModel& Model() const { return model_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    SundialModel model_;
    bool hasModel_ = false;
};

class ChartsWindow : public QDialog {
    Q_OBJECT
  public:
    // Asks for the name of the file an export writes (QFileDialog by
    // default); an empty name cancels.
    using FileChooser = std::function<QString(QWidget* parent, const QString& caption,
                                              const QString& suggested, const QString& filter)>;

    // Asks for the size of a PNG picture in pixels, proposed: the view's
    // size times the screen's device pixel ratio; an empty size cancels.
    using SizeChooser = std::function<QSize(QWidget* parent, const QSize& proposed)>;

    explicit ChartsWindow(QWidget* parent = nullptr);

    // The inputs of the charts; the chart shown is drawn again for them.
    void SetInputs(const ChartInputs& inputs);
    void ShowChart(ChartKind kind);
    ChartKind Kind() const { return kind_; }
    ChartView* View() const { return view_; }
    QLabel* ValueLabel() const { return valueLabel_; }
    QCheckBox* PrayersBox() const { return prayersBox_; }
    QCheckBox* PolarBox() const { return polarBox_; }
    QTabBar* Tabs() const { return tabs_; }
    // The sundial's tab (the last) and its controls.
    static constexpr int kSundialTab = 5;
    bool SundialShown() const;
    SundialView* DialView() const { return sundialView_; }
    QComboBox* DialTypeBox() const { return dialType_; }
    QDoubleSpinBox* DialDeclinationBox() const { return dialDeclination_; }
    QDoubleSpinBox* DialGnomonBox() const { return dialGnomon_; }
    QDoubleSpinBox* DialSizeBox() const { return dialSize_; }
    QCheckBox* DialHoursBox(DialHourSystem system) const {
        return dialHours_[static_cast<int>(system)];
    }
    QComboBox* DialDatesBox() const { return dialDates_; }
    // The design the sundial's controls give.
    SundialDesign DialDesign() const;
    void SetFileChooser(FileChooser chooser) { fileChooser_ = std::move(chooser); }
    void SetSizeChooser(SizeChooser chooser) { sizeChooser_ = std::move(chooser); }
    // The PNG picture's proposed size: the view's times the screen's scale.
    QSize ProposedPictureSize() const;

    // Asks for a file and writes the chart shown as PNG (at the size the user
    // chooses, laid out as in the view and drawn larger) or SVG (at the size
    // of the view); false when cancelled or when writing failed (after a
    // message).
    bool Export(bool svg);
    // Asks for a file and writes the sundial at true scale as PDF or SVG;
    // false when cancelled or when writing failed (after a message).
    bool ExportSundialFile(bool pdf);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Redraw();
    void ShowTab(int index);
    // The file the user chooses, with the suffix added when missing; empty
    // when cancelled.
    QString AskExportPath(const QString& caption, const QString& suggested, const QString& filter,
                          const QString& suffix);

    ChartInputs inputs_;
    bool hasInputs_ = false;
    ChartKind kind_ = ChartKind::kSunPath;
    QTabBar* tabs_ = nullptr;
    ChartView* view_ = nullptr;
    QLabel* valueLabel_ = nullptr;
    QCheckBox* prayersBox_ = nullptr;
    QCheckBox* polarBox_ = nullptr;
    QPushButton* pngButton_ = nullptr;
    QPushButton* svgButton_ = nullptr;
    QPushButton* pdfButton_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    QWidget* dialControls_ = nullptr;
    SundialView* sundialView_ = nullptr;
    QComboBox* dialType_ = nullptr;
    QDoubleSpinBox* dialDeclination_ = nullptr;
    QDoubleSpinBox* dialGnomon_ = nullptr;
    QDoubleSpinBox* dialSize_ = nullptr;
    QCheckBox* dialHours_[5] = {};
    QComboBox* dialDates_ = nullptr;
    FileChooser fileChooser_;
    SizeChooser sizeChooser_;
};

// The window's help page, inside a language's help book (F1).
inline constexpr const char* kChartsHelpTopic = "html/grafici.htm";

}  // namespace tarvel
