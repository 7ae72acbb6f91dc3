#include "resources/program_resources.h"

#include "resources/resource.h"

namespace {

const StringResource kStrings[] = {
    {IDS_ABOUTBOX, "&About VDFlash..."},
};

const IconResource kIcons[] = {
    {IDR_MAINFRAME, kApplicationIconImages},
};

} // namespace

const ResourceSet& ProgramResources()
{
    // Built on first use, when the templates of the other files of this folder exist.
    static const DialogTemplate dialogs[] = {kAboutDialog, kMainDialog, kInstructionsDialog};
    static const ResourceSet resources{dialogs, kStrings, kIcons};
    return resources;
}
