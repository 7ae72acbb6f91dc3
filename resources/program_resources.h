#pragma once
// All resources of the program, for the application object to hand to the framework.

#include "framework/resources.h"

const ResourceSet& ProgramResources();

extern const DialogTemplate kAboutDialog;
extern const DialogTemplate kMainDialog;
extern const DialogTemplate kInstructionsDialog;
extern const IconImage kApplicationIconImages[2];
