#pragma once
// The application's title: the caption of every message box it shows and
// the name its settings are kept under.
inline constexpr char kAppTitle[] = "Lumo Simulator v2.0";
// The organisation the settings are kept under.
inline constexpr char kSettingsOrganisation[] = "Local AppWizard-Generated Applications";
// What the window caption shows after the document's title.
inline constexpr char kDocTemplateTitle[] = "Lumo";
