#pragma once
#include "core/ShopStatistics.h"
#include <QDialog>
#include <memory>

class QLabel;
class QPushButton;

namespace lumivista {

class AppContext;
class PageView;
class PreparedReport;
class ReportTemplate;

/** "Statistiche": the shop's year in four charts and two ranked lists, painted
 *  by the report engine, so the screen, the printout and the PDF are one
 *  picture. Opened from the home screen on the current year. */
class StatisticsWindow : public QDialog
{
    Q_OBJECT
public:
    explicit StatisticsWindow(AppContext &context, QWidget *parent = nullptr);

    QPushButton *btnPrecedente = nullptr;
    QLabel *lblAnno = nullptr;
    QPushButton *btnSuccessivo = nullptr;
    PageView *imgGrafici = nullptr;
    QLabel *lblSaltati = nullptr;
    QPushButton *btnStampa = nullptr;
    QPushButton *btnEsporta = nullptr;
    QPushButton *btnGuida = nullptr;
    QPushButton *btnChiudi = nullptr;

    int year() const { return m_year; }
    const ShopStatistics::Result &figures() const { return m_figures; }
    /** Reads the archives for year and shows it. */
    void showYear(int year);
    void btnStampaClick();
    void btnEsportaClick();
    void btnGuidaClick();

    /** The template filled with a year's figures. */
    static ReportTemplate report(const ShopStatistics::Result &figures);
    /** What a screen reader hears of each chart: its title and every figure. */
    static QStringList descriptions(const ShopStatistics::Result &figures);
    static QString helpText();
    static QString exportFileName() { return QStringLiteral("Statistiche.xls"); }

private:
    AppContext &m_context;
    int m_year = 0;
    ShopStatistics::Result m_figures;
    std::shared_ptr<const PreparedReport> m_pages;
};

} // namespace lumivista
