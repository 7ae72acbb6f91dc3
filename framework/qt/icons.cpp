#include "icons.h"

#include <QPixmap>

namespace backend {

QIcon IconFromResource(HICON icon)
{
    QIcon result;
    if (icon)
        for (IconImage image : icon->images)
            result.addPixmap(QPixmap(image));
    return result;
}

} // namespace backend
