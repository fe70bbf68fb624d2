#pragma once
// The viewer's popup menu. frmMenu holds it and is never shown itself; the window that owns the
// calendar pops `mpop` up at the pointer and carries out the commands the menu reports.
//
// The items, in the order shown: "お気に入り" (the projects, `mName`), "表示月" (the previous, the
// current and the next month, `mMM`), a separator, "位置固定", "常に手前に表示", a separator,
// "バージョン情報", a separator, "終了". Every item's QAction carries its name as objectName
// ("mName_0", "mMM_2", "mFIX", ...). The check marks are the viewer's record of its options.

#include <QObject>
#include <QStringList>
#include <QVector>
#include <memory>

class QAction;
class QMenu;

namespace kalmora::viewer
{

class frmMenu : public QObject
{
    Q_OBJECT
public:
    explicit frmMenu(QObject *parent = nullptr);
    ~frmMenu() override;

    QMenu *mpop() const { return m_mpop.get(); }
    QMenu *mOkiniiri() const { return m_mOkiniiri; }
    QMenu *mmonth() const { return m_mmonth; }
    QAction *mName(int index) const { return m_mName.value(index); }
    int mNameCount() const { return int(m_mName.size()); }
    QAction *mMM(int index) const { return m_mMM.value(index); }
    QAction *sepq() const { return m_sepq; }
    QAction *mFIX() const { return m_mFIX; }
    QAction *mTemae() const { return m_mTemae; }
    QAction *sep0000() const { return m_sep0000; }
    QAction *mver() const { return m_mver; }
    QAction *sep001() const { return m_sep001; }
    QAction *mend() const { return m_mend; }

    // Fills the favourites with one item per project name, in the order given; with no names the
    // single item "(なし)", disabled.
    void ListProjects(const QStringList &names);

    // The project name of favourites item `index`; empty for "(なし)" or an index out of range.
    QString ProjectName(int index) const;

    // Checks the favourites item whose caption is exactly `name` and clears every other one.
    void CheckProject(const QString &name);
    // Checks month item `index` (0 to 2) and clears the other two; -1 clears all three.
    void CheckMonth(int index);
    // The three month captions: previous, current and next month keys.
    void SetMonthCaptions(const QStringList &keys);

signals:
    void projectChosen(int index);
    void monthChosen(int index);
    void fixToggled(bool checked);
    void alwaysInFrontToggled(bool checked);
    void versionRequested();
    void exitRequested();

private:
    QAction *makeProjectItem(int index);

    std::unique_ptr<QMenu> m_mpop;
    QMenu *m_mOkiniiri = nullptr;
    QMenu *m_mmonth = nullptr;
    QVector<QAction *> m_mName;
    QVector<QAction *> m_mMM;
    QAction *m_sepq = nullptr;
    QAction *m_mFIX = nullptr;
    QAction *m_mTemae = nullptr;
    QAction *m_sep0000 = nullptr;
    QAction *m_mver = nullptr;
    QAction *m_sep001 = nullptr;
    QAction *m_mend = nullptr;
};

} // namespace kalmora::viewer
