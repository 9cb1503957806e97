#include "WinApi.h"

#include "Application.h"
#include "Clock.h"
#include "Desktop.h"

#include <QProcess>
#include <QStandardPaths>
#include <QString>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#if defined(__GLIBC__)
DWORD Win32Platform = VER_PLATFORM_WIN32_NT;
#else
DWORD Win32Platform = 0;
#endif

namespace {
unsigned trims = 0;

// Programs the original platform names, and who stands in for them here.
QString Counterpart(const QString &file)
{
    if (file.compare(QLatin1String("IExplore.EXE"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("firefox");
    return file;
}
} // namespace

LONG SetWindowLongA(HWND window, int index, LONG value)
{
    if (!window || !Application || window != Application->Handle() || index != GWL_EXSTYLE)
        return 0;
    return LONG(Application->Handle()->SetExStyle(value));
}

void Sleep(DWORD ms)
{
    TClock::Current()->Sleep(ms);
}

HINSTANCE ShellExecuteA(HWND, const char *operation, const char *file, const char *parameters, const char *directory,
                        int)
{
    if (!file || (operation && QLatin1String(operation) != QLatin1String("open")))
        return 2;
    const QString program = QStandardPaths::findExecutable(Counterpart(QString::fromUtf8(file)));
    if (program.isEmpty())
        return 2;  // file not found
    QStringList arguments;
    if (parameters && *parameters)
        arguments << QString::fromUtf8(parameters);
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    if (directory)
        process.setWorkingDirectory(QString::fromUtf8(directory));
    // Its output is its own business, not ours.
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    return process.startDetached() ? 42 : 31;
}

HANDLE GetCurrentProcess()
{
    return reinterpret_cast<HANDLE>(std::intptr_t(-1));
}

BOOL SetProcessWorkingSetSize(HANDLE, SIZE_T minimum, SIZE_T maximum)
{
    if (minimum != SIZE_T(-1) || maximum != SIZE_T(-1))
        return 0;
    ++trims;
#if defined(__GLIBC__)
    return malloc_trim(0) >= 0;
#else
    return 0;
#endif
}

unsigned WorkingSetTrims()
{
    return trims;
}
