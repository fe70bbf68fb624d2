// Registering what the settings dialog shows as a calendar project.

#include "colour_swatch.h"
#include "frm_main.h"
#include "frm_sub.h"
#include "maker_texts.h"
#include "platform/numbers.h"
#include "preview_box.h"
#include "project_name.h"
#include "project_writer.h"
#include "store/app_files.h"

#include <QComboBox>
#include <QDir>
#include <QScrollBar>

namespace kalmora::maker
{

void frmMain::CreateCalendarProject()
{
    if (windowTitle() == texts::kProductCaption)
        return;
    QDir().mkpath(store::ProjectFolder(m_context.appDir));
    QDir().mkpath(store::PictureFolder(m_context.appDir));

    QWidget *owner = m_sub;
    const QString name = m_context.dialogs.input(
        owner, texts::kNamePrompt, texts::kProductCaption, DefaultProjectName(m_context.clock.now()));
    if (name.isEmpty())
        return;
    if (const QString problem = ProjectNameProblem(name); !problem.isEmpty()) {
        m_context.dialogs.message(owner, problem + QLatin1Char('\n') + texts::kNothingChanged, texts::kProgramName);
        return;
    }

    const calendar::CalendarColours colours = m_sub->swatchColours();
    store::ProjectSettings values;
    values.PKA = platform::ToInt16(m_sub->Combo3()->currentIndex());
    values.PBG = std::int32_t(m_sub->Label2()->colour());
    values.CHE = std::int32_t(colours.CHE);
    values.CDO = std::int32_t(colours.CDO);
    values.CNI = std::int32_t(colours.CNI);
    values.CBG = std::int32_t(colours.CBG);
    values.CXX = platform::ToInt16(m_sub->HScroll1()->value());
    values.CYY = platform::ToInt16(m_sub->VScroll1()->value());
    values.VXX = 0;
    values.VYY = 0;

    ProjectWriteFailure failure;
    if (!WriteCalendarProject(m_context.appDir, name, values, m_sub->Picture2()->drawnImage(), &failure)) {
        const QString &text = failure.what == ProjectWriteFailure::What::Picture ? texts::kPictureSaveFailed
                                                                                 : texts::kProjectWriteFailed;
        m_context.dialogs.message(owner,
            text.arg(failure.path, failure.detail) + QLatin1Char('\n') + texts::kNothingChanged, texts::kProgramName);
        return;
    }
    m_context.dialogs.message(owner, texts::kCreated, texts::kProgramName);
}

} // namespace kalmora::maker
