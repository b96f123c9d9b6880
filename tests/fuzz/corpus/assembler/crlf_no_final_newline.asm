main:	nop
	goto main
	END