#include "viewer/frm_menu.h"

#include "viewer/viewer_texts.h"

#include <QAction>
#include <QMenu>

namespace kalmora::viewer
{

frmMenu::frmMenu(QObject *parent)
    : QObject(parent)
    , m_mpop(std::make_unique<QMenu>(texts::MenuRoot()))
{
    setObjectName(QStringLiteral("frmMenu"));
    m_mpop->setObjectName(QStringLiteral("mpop"));

    m_mOkiniiri = m_mpop->addMenu(texts::Favourites());
    m_mOkiniiri->setObjectName(QStringLiteral("mOkiniiri"));
    m_mOkiniiri->menuAction()->setObjectName(QStringLiteral("mOkiniiri"));
    m_mName.push_back(makeProjectItem(0));

    m_mmonth = m_mpop->addMenu(texts::MonthShown());
    m_mmonth->setObjectName(QStringLiteral("mmonth"));
    m_mmonth->menuAction()->setObjectName(QStringLiteral("mmonth"));
    for (int i = 0; i < 3; ++i) {
        QAction *item = m_mmonth->addAction(QString());
        item->setObjectName(QStringLiteral("mMM_%1").arg(i));
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, i] { emit monthChosen(i); });
        m_mMM.push_back(item);
    }

    m_sepq = m_mpop->addSeparator();
    m_sepq->setObjectName(QStringLiteral("sepq"));
    m_mFIX = m_mpop->addAction(texts::FixPosition());
    m_mFIX->setObjectName(QStringLiteral("mFIX"));
    m_mFIX->setCheckable(true);
    connect(m_mFIX, &QAction::triggered, this, &frmMenu::fixToggled);
    m_mTemae = m_mpop->addAction(texts::AlwaysInFront());
    m_mTemae->setObjectName(QStringLiteral("mTemae"));
    m_mTemae->setCheckable(true);
    connect(m_mTemae, &QAction::triggered, this, &frmMenu::alwaysInFrontToggled);
    m_sep0000 = m_mpop->addSeparator();
    m_sep0000->setObjectName(QStringLiteral("sep0000"));
    m_mver = m_mpop->addAction(texts::VersionInformation());
    m_mver->setObjectName(QStringLiteral("mver"));
    connect(m_mver, &QAction::triggered, this, &frmMenu::versionRequested);
    m_sep001 = m_mpop->addSeparator();
    m_sep001->setObjectName(QStringLiteral("sep001"));
    m_mend = m_mpop->addAction(texts::Exit());
    m_mend->setObjectName(QStringLiteral("mend"));
    connect(m_mend, &QAction::triggered, this, &frmMenu::exitRequested);
}

frmMenu::~frmMenu() = default;

QAction *frmMenu::makeProjectItem(int index)
{
    QAction *item = m_mOkiniiri->addAction(QString());
    item->setObjectName(QStringLiteral("mName_%1").arg(index));
    item->setCheckable(true);
    connect(item, &QAction::triggered, this, [this, index] { emit projectChosen(index); });
    return item;
}

void frmMenu::ListProjects(const QStringList &names)
{
    // Item 0 always stays; the others are made anew for the names.
    while (m_mName.size() > 1)
        delete m_mName.takeLast();
    QAction *first = m_mName.first();
    if (names.isEmpty()) {
        first->setText(texts::NoProjects());
        first->setData(QVariant());
        first->setCheckable(false);
        first->setEnabled(false);
        return;
    }
    first->setCheckable(true);
    first->setEnabled(true);
    for (int i = 0; i < names.size(); ++i) {
        if (i != 0)
            m_mName.push_back(makeProjectItem(i));
        // "&" would otherwise mark a keyboard accelerator and vanish from the caption.
        m_mName[i]->setText(QString(names.at(i)).replace(QLatin1Char('&'), QLatin1String("&&")));
        m_mName[i]->setData(names.at(i));
    }
}

void frmMenu::CheckProject(const QString &name)
{
    for (QAction *item : std::as_const(m_mName))
        item->setChecked(item->isCheckable() && item->data().toString() == name);
}

QString frmMenu::ProjectName(int index) const
{
    const QAction *item = m_mName.value(index);
    return item ? item->data().toString() : QString();
}

void frmMenu::CheckMonth(int index)
{
    for (int i = 0; i < m_mMM.size(); ++i)
        m_mMM[i]->setChecked(i == index);
}

void frmMenu::SetMonthCaptions(const QStringList &keys)
{
    for (int i = 0; i < m_mMM.size() && i < keys.size(); ++i)
        m_mMM[i]->setText(keys.at(i));
}

} // namespace kalmora::viewer
