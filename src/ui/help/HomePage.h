// Opening the maker's home page (MakerHomePage) in the desktop's web browser.
#pragma once

// Asks the desktop to open the home page with its web browser; false when that failed (the
// caller then shows the address with the message dialog's ShowHomePage).
bool OpenHomePage();
