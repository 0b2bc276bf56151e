# Folder values the ANSI code page cannot hold (a user's name in another
# script): each is read as absent, never as a look-alike that names another
# folder. docs/faults.md lists what the user sees for each.
nv_e2e_scenario(best_fit_user_programs best_fit_user_programs win64 ru_RU.UTF-8)
nv_e2e_scenario(best_fit_common_desktop best_fit_common_desktop win64 ru_RU.UTF-8)
nv_e2e_scenario(best_fit_desktop_look_alike best_fit_desktop_look_alike win64 ru_RU.UTF-8)
nv_e2e_scenario(best_fit_typed_folder best_fit_typed_folder win64 ru_RU.UTF-8)
