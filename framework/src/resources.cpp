#include "framework/resources.h"

namespace {

template <typename Resource>
const Resource* FindById(std::span<const Resource> resources, int id)
{
    for (const Resource& resource : resources)
        if (resource.id == id)
            return &resource;
    return nullptr;
}

} // namespace

const DialogTemplate* ResourceSet::FindDialog(int id) const { return FindById(dialogs, id); }

const char* ResourceSet::FindString(int id) const
{
    const StringResource* found = FindById(strings, id);
    return found ? found->text : nullptr;
}

const IconResource* ResourceSet::FindIcon(int id) const { return FindById(icons, id); }
