#include "cli/ProgressBar.h"

#include <cstdio>
#include <unistd.h>

namespace cli {

ProgressBar::ProgressBar() : m_terminal(isatty(STDERR_FILENO) != 0)
{}

void ProgressBar::show(qsizetype done, qsizetype total)
{
    if (!m_terminal || total <= 0)
        return;
    const int percent = int(done * 100 / total);
    if (percent == m_shownPercent)
        return;
    m_shownPercent = percent;
    constexpr int width = 40;
    const int filled = percent * width / 100;
    std::fprintf(stderr, "\r[%-*.*s] %3d%%", width, filled,
                 "########################################", percent);
    std::fflush(stderr);
}

void ProgressBar::finish()
{
    if (m_terminal && m_shownPercent >= 0)
        std::fprintf(stderr, "\r%*s\r", 48, "");
}

} // namespace cli
