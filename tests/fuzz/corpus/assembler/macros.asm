        list    p=16f84
        include <p16f84.inc>
        errorlevel -302
store   macro   value, reg
        movlw   value
        movwf   reg
        endm
wait    macro   n
        local   again
        movlw   n
again   addlw   -1
        skpz
        goto    again
        endm
twice   macro   x
        wait    x
        if x > 5
        exitm
        endif
        store   x, 0x20
        endm
self    macro
        self
        endm
        org     0
        goto    start
        org     5
start   twice   3
        twice   7
        banksel TRISB
        clrf    TRISB
        banksel PORTB
        bankisel 0x100
        pagesel start
        movfw   PORTA
        bnz     start
        negf    0x20, w
        lcall   start
        end
