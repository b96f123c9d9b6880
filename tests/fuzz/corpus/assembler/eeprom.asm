        processor 16F84A
        __config _XT_OSC & _WDT_OFF
        org     5
        movlw   -d'195'
        da      "abc"
        dt      "ok", 0
        org     0x2100
        de      1, 2, "text"
        dw      0x1234
        dt      7
        org     0x213E
        de      0xFF, 0xFE
        end
