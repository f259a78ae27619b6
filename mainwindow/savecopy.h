#pragma once
// The Save button: a copy of the shown picture's file under a name the user chooses.

void Image8Click();
