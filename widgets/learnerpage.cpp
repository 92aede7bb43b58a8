#include "widgets/learnerpage.h"

#include "widgets/bandshape.h"

namespace ui {

void LearnerPage::setBandLabelsShown(bool shown)
{
    for (BandShape *band : m_bands)
        band->setLabelShown(shown);
}

void LearnerPage::setWorking(const QString &text)
{
    m_working = text;
    emit workingChanged(text);
}

} // namespace ui
