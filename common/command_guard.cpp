#include "common/command_guard.h"

#include "common/error_place.h"
#include "common/errors.h"
#include "common/platform.h"

#include <QString>
#include <exception>
#include <new>

namespace
{
QString& titleStorage()
{
    static QString title;
    return title;
}
} // namespace

void setApplicationTitle(const QString& title)
{
    titleStorage() = title;
}

QString applicationTitle()
{
    return titleStorage();
}

bool runCommand(QWidget* owner, const std::function<void()>& command)
{
    QString message;
    try {
        command();
        return true;
    } catch (AppError& error) {
        resolveErrorPlace(owner, error);
        message = error.message();
    } catch (const std::bad_alloc&) {
        message = QStringLiteral("Out of memory");
    } catch (const std::exception& error) {
        message = QString::fromLocal8Bit(error.what());
    } catch (...) {
        message = QStringLiteral("Unexpected failure");
    }
    platform::showError(owner, applicationTitle(), message);
    return false;
}
