#include "data/TableNotices.h"

TableNotices& TableNotices::instance()
{
    static TableNotices notices;
    return notices;
}
