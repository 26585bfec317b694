#pragma once

#include "common/settings_store.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class QActionGroup;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace corvander {

class DrawnArea;
class ExtractionPool;
class PageView;

// Rename by template, beside the drawn area: the family's option button (Option3), the template
// box (Text3, one template per line), the mistake under it (Label2), the buttons that insert the
// common fields at the cursor (PushButton15 to PushButton21), the first page of the selected file
// (PageView), where a dragged rectangle inserts its zone field at the cursor, and the date order
// in the Options menu. The template box and the date order write through to the settings store
// at once.
class TemplatePanel : public QObject {
    Q_OBJECT
public:
    // The panel's drawn width and height, in twips.
    static constexpr int kWidthTwips = 4200;
    static constexpr int kHeightTwips = 8655;

    TemplatePanel(QWidget* window, DrawnArea& area, SettingsStore& settings, ExtractionPool& pool);

    QRadioButton* familyOption() const { return Option3; }
    bool templateSelected() const;
    QStringList templateLines() const;
    // "dmy", "mdy" or "ymd".
    QString dateOrder() const;
    // What is wrong with the first template that has a mistake ("Line 2: ..."); empty when
    // every line reads.
    QString mistake() const { return m_mistake; }

    // Puts text (a field) into the template box at the cursor, replacing the selection.
    void insertField(const QString& field);
    // Shows the first page of the file at `path` in the page view; an empty path shows none.
    void showPageOf(const QString& path);
    // A template learned from a file the user named: it goes first, so that it names that file
    // as the user asked whatever the other lines give, and the family becomes rename by template.
    // The same line further down goes; blank lines go too.
    void addLearnedTemplate(const QString& line);

    // Options > Date Order.
    void addMenuItems(QMenu* options);
    // Start-up: the stored template and date order.
    void restoreText3();
    void restoreDateOrder();

    // Puts the panel's controls into the Tab order after the given control; gives the last one.
    QWidget* setTabOrderAfter(QWidget* previous);

Q_SIGNALS:
    // The templates or the date order changed.
    void changed();

private:
    void createControls(QWidget* window, DrawnArea& area, ExtractionPool& pool);
    void Text3_Change();
    void checkTemplates();
    void chooseDateOrder(const QString& order);

    SettingsStore& m_settings;
    QRadioButton* Option3 = nullptr;
    QPlainTextEdit* Text3 = nullptr;
    QLabel* Label2 = nullptr;
    QList<QPushButton*> m_fieldButtons;
    PageView* m_page = nullptr;
    QActionGroup* m_dateOrders = nullptr;
    QString m_mistake;
};

} // namespace corvander
