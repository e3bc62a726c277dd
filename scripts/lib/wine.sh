# The throw-away Wine prefix that the Windows tests and test runs use. Sourced, not run.
#   wine_env           exports WINEPREFIX and the switches every Wine start here needs
#   wine_prefix_ready  makes the prefix once (wineboot), with the test fonts mapped
#   wine_server_start  keeps one wineserver running for the whole test run, so that the
#                      helper processes of a test's Wine do not hold CTest's output pipe
#   wine_server_stop

wine_env() {
    export WINEPREFIX=${ORVANTO_WINE_PREFIX:-${BUILD_DIR:-$PWD/build}/wine}
    export WINEDEBUG=${WINEDEBUG:--all}
    # No Mono or Gecko downloads, no desktop entries for the test programs.
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    export WINEARCH=win64
}

wine_prefix_ready() {
    wine_env
    [ -f "$WINEPREFIX/.orvanto-ready" ] && return 0
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        [ -f "$WINEPREFIX/.orvanto-ready" ] && exit 0
        wineboot -i >/dev/null 2>&1 </dev/null
        # Both menu programs draw with the same fonts: Arial and Times New Roman are the
        # metric-compatible Liberation families in the prefix as they are in fontconfig.
        for pair in "Arial=Liberation Sans" "Times New Roman=Liberation Serif" "Courier New=Liberation Mono"; do
            wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "${pair%%=*}" /t REG_SZ /d "${pair#*=}" /f \
                >/dev/null 2>&1 </dev/null
        done
        # A visitor's Windows opens text files with its editor; a new prefix has the
        # editor's command but not the ".txt" link to it.
        wine reg add 'HKCR\.txt' /ve /t REG_SZ /d txtfile /f >/dev/null 2>&1 </dev/null
        wineserver -w
        touch "$WINEPREFIX/.orvanto-ready"
    ) 9>"$WINEPREFIX.lock"
}

wine_server_start() {
    wine_prefix_ready
    wineserver -p >/dev/null 2>&1 </dev/null || true  # one may run already
    # Start the prefix's own programs once now (explorer, services), not inside a test.
    wine cmd /c exit >/dev/null 2>&1 </dev/null || true
}

wine_server_stop() {
    wine_env
    wineserver -k >/dev/null 2>&1 || true
}
