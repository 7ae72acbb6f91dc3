#include "selection/model_catalogue.h"

#include "resources/resource.h"

namespace {

constexpr ModelEntry kCatalogue[kModelCount] = {
    {1000, "Vandrel3 Plus", "Vandrel3 Plus", "VD3-Plus", "2 digital/RS232 inputs"},
    {1001, "Vandrel3 Newwork", "Vandrel3 Network", "VD3-NW", "2 digital/RS232 inputs with network output"},
    {1002, "Vandrel4 Plus", "Vandrel4 Plus", "VD4-Plus", "2 RS232 inputs"},
    {1003, "Vandrel4 Network", "Vandrel4 Network", "VD4-NW", "2 RS232 inputs with network output"},
    {1004, "Vandrel5 Plus", "Vandrel5 Plus", "VD5-Plus", "4 digital/RS232 + 1 RS232 inputs"},
    {1005, "Vandrel5 Network", "Vandrel5 Network", "VD5-NW", "4 digital/RS232 + 1 RS232 inputs with network output"},
    {1006, "Vandrel6 Plus", "Vandrel6 Plus", "VD6-Plus", "5 RS232 inputs"},
    {1007, "Vandrel6 Network", "Vandrel6 Network", "VD6-NW", "5 RS232 inputs with network output"},
};

} // namespace

const ModelEntry& ModelAt(int index) { return kCatalogue[index]; }

int ModelIndexFromRadio(int radioId) { return radioId - IDC_MODEL_FIRST; }
