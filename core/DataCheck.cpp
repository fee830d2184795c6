#include "core/DataCheck.h"

std::string findDataProblem()
{
    return std::string();
}
